object MainForm: TMainForm
  Left = 266
  Top = 168
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = ''
  ClientHeight = 490
  ClientWidth = 648
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  FormStyle = fsStayOnTop
  KeyPreview = True
  OnKeyDown = OnKeyDown
  OnKeyPress = OnKeyPressedListVolumes
  object PageControlPrincipal: TPageControl
    Left = 0
    Top = 0
    Width = 648
    Height = 490
    Align = alClient
    TabStop = False
    object Page_Volume_Install: TTabSheet
      TabVisible = False
      OnShow = On_PageInstall
      object Image_Page_Volume_Install: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_VolInstall: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_VolInstall: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_VolInstall: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Label_VolInstall: TLabel
        Left = 160
        Top = 128
        Width = 425
        Height = 73
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object listbox1: TListBox
        Left = 256
        Top = 224
        Width = 177
        Height = 145
        Enabled = False
        ItemHeight = 20
        TabStop = False
      end
      object UpDown1: TUpDown
        Left = 448
        Top = 224
        Width = 40
        Height = 145
        Min = 0
        Max = 8
        Position = 1
        Wrap = False
        OnChanging = Upown1OnChanging
        OnClick = UpDown1Click
      end
      object Bouton_Valide_PageVolInstall: TSpeedButton
        Left = 583
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = OnClickValidePageVolChoix
      end
    end
    object Page_ErreurVersion: TTabSheet
      TabVisible = False
      OnShow = OnPageErreurVersion
      object Image_Page_ErreurVersion: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_BadVersion: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_BadVersion: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_BadVersion: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Label_BadVersion: TLabel
        Left = 176
        Top = 136
        Width = 425
        Height = 201
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object Bouton_Valide_PageErreurVersion: TSpeedButton
        Left = 583
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = OnClickValidePageErreurVersion
      end
    end
    object Page_ConfirmationMAJ: TTabSheet
      TabVisible = False
      OnShow = On_PageConfirmationMAJ
      object Image_PageConfirmationMAJ: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_ConfMAJ: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_ConfMAJ: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_ConfMAJ: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object GroupBox1: TGroupBox
        Left = 200
        Top = 168
        Width = 385
        Height = 169
        Caption = ''
        TabStop = False
        object Label_inst: TLabel
          Left = 2
          Top = 24
          Width = 377
          Height = 50
          AutoSize = False
          Layout = tlCenter
          WordWrap = True
          Transparent = True
          OnClick = RadioButton1Click
        end
        object Label_desinst: TLabel
          Left = 2
          Top = 94
          Width = 377
          Height = 50
          AutoSize = False
          Layout = tlCenter
          WordWrap = True
          Transparent = True
          OnClick = RadioButton2Click
        end
        object RadioButton2: TRadioButton
          Left = 16
          Top = 112
          Width = 17
          Height = 17
          Enabled = False
          TabStop = False
          OnClick = RadioButton2Click
        end
      end
      object RadioButton1: TRadioButton
        Left = 216
        Top = 208
        Width = 17
        Height = 25
        Enabled = False
        TabStop = False
        OnClick = RadioButton1Click
      end
      object touche_ConfMAJ_yes: TSpeedButton
        Left = 583
        Top = 427
        Width = 17
        Height = 16
        Cursor = crHandPoint
        Flat = True
        OnClick = touche_ConfMAJ_yesClick
      end
      object touche_ConfMAJ_no: TSpeedButton
        Left = 4
        Top = 427
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = touche_ConfMAJ_noClick
      end
    end
    object Page_Choix_langue: TTabSheet
      TabVisible = False
      OnShow = On_Page_Choix_LG
      object Image_Page_Choix_Langue: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object Image_HG_LG: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object Image_HD_LG: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_LG: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object FondSelection: TShape
        Left = 96
        Top = 184
        Width = 65
        Height = 65
        Brush.Color = clYellow
        Pen.Style = psClear
        Visible = False
      end
      object SpeedButton1: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 1
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton2: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 2
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton3: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 3
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton4: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 4
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton5: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 5
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton6: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 6
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton7: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 7
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton8: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 8
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton9: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 9
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton10: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 10
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton11: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 11
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton12: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 12
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton13: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 13
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton14: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 14
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton15: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 15
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton16: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 16
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton17: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 17
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton18: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 18
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton19: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 19
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton20: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 20
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton21: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 21
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton22: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 22
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton23: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 23
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton24: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 24
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton25: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 25
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton26: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 26
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton27: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 27
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton28: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 28
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton29: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 29
        Visible = False
        OnClick = AppelPageConfLG
      end
      object SpeedButton30: TSpeedButton
        Left = 100
        Top = 40
        Width = 49
        Height = 41
        Cursor = crHandPoint
        Flat = True
        Tag = 30
        Visible = False
        OnClick = AppelPageConfLG
      end
      object ScrollBar1: TScrollBar
        Left = 616
        Top = 80
        Width = 17
        Height = 337
        Kind = sbVertical
        Min = 1
        Max = 1
        Position = 1
        PageSize = 0
        SmallChange = 1
        LargeChange = 1
        TabStop = False
        OnScroll = OnScroll
        OnChange = OnChangeScroll
      end
      object Bouton_Valide_Langue: TSpeedButton
        Left = 583
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = Bouton_Valide_LangueClick
      end
      object Bouton_Sortie_LG: TSpeedButton
        Left = 4
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = Bouton_Sortie_LGClick
      end
    end
    object PageConfLG: TTabSheet
      TabVisible = False
      OnShow = OnPage_conf_LG
      object Image_Page_Conf_LG: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_CFLG: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_CFLG: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_CFLG: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Drapeaux_CF_LG: TImage
        Left = 328
        Top = 224
        Width = 49
        Height = 41
      end
      object Label_CF_LG: TLabel
        Left = 168
        Top = 64
        Width = 441
        Height = 97
        Alignment = taCenter
        AutoSize = False
        Layout = tlBottom
        WordWrap = True
        Transparent = True
      end
      object SpeedButton_oui_CF_LG: TSpeedButton
        Left = 232
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButton_oui_CF_LGClick
      end
      object SpeedButton_non_CF_LG: TSpeedButton
        Left = 344
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButton_non_CF_LGClick
      end
    end
    object Page_Install_En_Cours: TTabSheet
      TabVisible = False
      Cursor = crHourGlass
      OnShow = OnPageInstallEnCours
      object Image_PageInstallEncours: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_MAJ: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_MAJ: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object LabelHC_MAJ: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Texte_Page_MAJEnCours: TLabel
        Left = 120
        Top = 64
        Width = 513
        Height = 60
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object ImageAttenteMAJ: TImage
        Left = 130
        Top = 120
        Width = 490
        Height = 290
        Stretch = True
      end
      object ProgressBar1: TProgressBar
        Left = 15
        Top = 446
        Width = 608
        Height = 17
        Min = 0
        Max = 120
        Position = 1
        Step = 1
        Smooth = True
        Visible = False
      end
      object Bouton_Valide_MAJEnCours: TSpeedButton
        Left = 583
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        Visible = False
        OnClick = Bouton_Valide_MAJEnCoursClick
      end
      object Bouton_F1_MAJComp: TSpeedButton
        Left = 4
        Top = 428
        Width = 17
        Height = 17
        Cursor = crHandPoint
        Flat = True
        Visible = False
        OnClick = Bouton_F1_MAJCompClick
      end
    end
    object PageRecommendation: TTabSheet
      TabVisible = False
      OnShow = OnShowPageRecommendation
      object Image_PageRecom: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_PageRecom: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_PageRecom: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_PageRecom: TLabel
        Left = 48
        Top = 0
        Width = 521
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Label_PageRecom: TLabel
        Left = 128
        Top = 136
        Width = 497
        Height = 207
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object SpeedButtonValide_PageRecom: TSpeedButton
        Left = 583
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonValide_PageRecomClick
      end
      object SpeedButtonSortie_PageRecom: TSpeedButton
        Left = 4
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonSortie_PageRecomClick
      end
    end
    object PageCluf: TTabSheet
      TabVisible = False
      OnShow = PageClufShow
      object Image_PageCLUF: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object ImageHG_CLUF: TImage
        Left = 0
        Top = 0
        Width = 120
        Height = 60
      end
      object ImageHD_CLUF: TImage
        Left = 584
        Top = 0
        Width = 60
        Height = 60
      end
      object Label_HC_CLUF: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Memo1: TMemo
        Left = 160
        Top = 80
        Width = 473
        Height = 281
        ReadOnly = True
        ScrollBars = ssVertical
        TabStop = False
      end
      object Label1: TLabel
        Left = 168
        Top = 360
        Width = 465
        Height = 33
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        OnClick = Label1Click
      end
      object Label2: TLabel
        Left = 168
        Top = 384
        Width = 465
        Height = 33
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        OnClick = Label2Click
      end
      object RadioButtonCLUFOui: TRadioButton
        Left = 176
        Top = 368
        Width = 17
        Height = 17
        Enabled = False
        TabStop = False
      end
      object RadioButtonCLUFNon: TRadioButton
        Left = 176
        Top = 392
        Width = 17
        Height = 17
        Enabled = False
        TabStop = False
      end
      object SpeedButton31: TSpeedButton
        Left = 583
        Top = 427
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButton31Click
      end
      object SpeedButton32: TSpeedButton
        Left = 4
        Top = 427
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButton32Click
      end
    end
    object PageArretAppli: TTabSheet
      TabVisible = False
      OnShow = PageArretAppliShow
      object ImagePageArretAppli: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object Label_HC_PageArretAppli: TLabel
        Left = 48
        Top = 0
        Width = 441
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -24
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object TextePageArretAppli: TLabel
        Left = 152
        Top = 80
        Width = 449
        Height = 305
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object SpeedButtonPageArretAppli: TSpeedButton
        Left = 583
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonPageArretAppliClick
      end
      object SpeedButtonSortieArretAppli: TSpeedButton
        Left = 4
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonSortieArretAppliClick
      end
    end
    object Page_Reboot: TTabSheet
      TabVisible = False
      OnShow = Page_RebootShow
      object Image_PageReboot: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object Label_HautPageReboot: TLabel
        Left = 48
        Top = 0
        Width = 521
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object Texte_PageReboot: TLabel
        Left = 128
        Top = 136
        Width = 497
        Height = 207
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object SpeedButtonPageReboot: TSpeedButton
        Left = 583
        Top = 428
        Width = 18
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonPageRebootClick
      end
      object SpeedButtonQuitPageReboot: TSpeedButton
        Left = 4
        Top = 428
        Width = 21
        Height = 21
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonQuitPageRebootClick
      end
    end
    object Page_ControleSecteur: TTabSheet
      TabVisible = False
      OnShow = Page_ControleSecteurShow
      object ImageFondPageControleSecteur: TImage
        Left = 0
        Top = 0
        Width = 640
        Height = 480
        Align = alClient
        Stretch = True
      end
      object LabelHautPageControleSecteur: TLabel
        Left = 48
        Top = 0
        Width = 521
        Height = 41
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
        ParentFont = False
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'MS Sans Serif'
        Font.Style = [fsBold]
      end
      object LabelPageControleSecteur: TLabel
        Left = 128
        Top = 136
        Width = 497
        Height = 207
        Alignment = taCenter
        AutoSize = False
        Layout = tlCenter
        WordWrap = True
        Transparent = True
      end
      object SpeedButtonValidPageControleSecteur: TSpeedButton
        Left = 584
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonValidPageControleSecteurClick
      end
      object SpeedButtonQuittePageControleSecteur: TSpeedButton
        Left = 0
        Top = 428
        Width = 23
        Height = 22
        Cursor = crHandPoint
        Flat = True
        OnClick = SpeedButtonQuittePageControleSecteurClick
      end
    end
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = OnTimer
  end
  object TimerMAJComposant: TTimer
    Enabled = False
    Interval = 1000
    OnTimer = TimerMAJComposantTimer
  end
end
